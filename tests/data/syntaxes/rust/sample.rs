//! A ring buffer of fixed capacity.

/// Keeps the newest values and drops the oldest ones.
pub struct Ring<T> {
    items: Vec<Option<T>>,
    next: usize,
}

impl<T: Clone> Ring<T> {
    /* A capacity of zero would never hold anything. */
    pub fn new(capacity: usize) -> Self {
        assert!(capacity > 0, "capacity must be positive");
        Ring { items: vec![None; capacity], next: 0 }
    }

    pub fn push(&mut self, value: T) {
        let slot = self.next % self.items.len();
        self.items[slot] = Some(value);
        self.next += 1;
    }
}

fn label<'a>(name: &'a str) -> &'a str {
    println!("label for {}", name);
    name
}
