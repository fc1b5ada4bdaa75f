// Placeholder until the folder has sources of its own; delete when adding the first one.
