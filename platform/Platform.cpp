// The platform library's sources; each service has its own pair of files.
