// The report engine and its templates live in this library.
