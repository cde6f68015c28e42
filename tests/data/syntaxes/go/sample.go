// Package inventory keeps a count of the items in stock.
package inventory

import (
	"errors"
	"fmt"
)

/* ErrMissing is returned when an item is not stocked. */
var ErrMissing = errors.New("item not in stock")

// Stock maps an item to its count.
type Stock map[string]int

// Take removes one item and reports what is left.
func (s Stock) Take(item string) (int, error) {
	count, ok := s[item]
	if !ok || count == 0 {
		return 0, fmt.Errorf("take %q: %w", item, ErrMissing)
	}
	s[item] = count - 1
	return count - 1, nil
}

const usage = `Usage: inventory take ITEM`
