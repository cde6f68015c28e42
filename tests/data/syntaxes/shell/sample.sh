#!/bin/sh
# Copies the build output into the staging folder and lists what changed.
set -eu

staging="${1:-/tmp/staging}"
mkdir -p "$staging"

for file in build/*.so; do
    # Only newer files are copied.
    if [ "$file" -nt "$staging/$(basename "$file")" ]; then
        cp "$file" "$staging/"
        echo "copied $file"
    fi
done

count=$(ls "$staging" | wc -l)
echo 'Staging holds' "$count" `date +%H:%M` files
