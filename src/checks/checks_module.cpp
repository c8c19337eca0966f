// Fiscal code, VAT number, IBAN and credit-card checks live in this library.
