# Fails when FILE is larger than LIMIT bytes.
# cmake -DFILE=<file> -DLIMIT=<bytes> -P CheckSize.cmake
if(NOT EXISTS "${FILE}")
  message(FATAL_ERROR "${FILE} does not exist")
endif()
file(SIZE "${FILE}" size)
if(size GREATER LIMIT)
  message(FATAL_ERROR "${FILE} has ${size} bytes, more than ${LIMIT}: docs/performance.md "
    "says where the bytes go and what kept them down.")
endif()
message(STATUS "${FILE}: ${size} bytes, at most ${LIMIT}")
