#!/usr/bin/env python3
"""Validates a JSON document against a JSON schema: validate_json.py SCHEMA DOCUMENT.
Prints every violation and exits 1 when there is one."""
import json
import sys

import jsonschema


def main():
    with open(sys.argv[1], encoding="utf-8") as schema_file:
        schema = json.load(schema_file)
    with open(sys.argv[2], encoding="utf-8") as document_file:
        document = json.load(document_file)
    validator = jsonschema.validators.validator_for(schema)(schema)
    errors = sorted(validator.iter_errors(document), key=lambda e: list(e.path))
    for error in errors:
        print("/".join(str(p) for p in error.path) + ": " + error.message)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
