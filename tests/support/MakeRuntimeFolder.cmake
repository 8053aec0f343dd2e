# Makes the tests' runtime folder `folder` anew, empty and open to its owner alone, as Qt wants it.
file(REMOVE_RECURSE "${folder}")
file(MAKE_DIRECTORY "${folder}")
file(CHMOD "${folder}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
