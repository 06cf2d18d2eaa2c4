// Keeps a library that has no sources of its own yet a valid target.
