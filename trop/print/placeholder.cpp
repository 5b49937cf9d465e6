// Replaced as the printouts and the export land.
