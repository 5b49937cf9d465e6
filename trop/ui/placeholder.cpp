// Replaced as the windows land.
