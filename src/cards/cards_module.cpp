// Organisation data, the single card and the nine-card sheet live in this library.
