# cmake -DFILE=path -DLIMIT=bytes -P check_size.cmake: fails when the file is larger than LIMIT.
file(SIZE "${FILE}" size)
if(size GREATER LIMIT)
  message(FATAL_ERROR "${FILE}: ${size} bytes, more than ${LIMIT}")
endif()
message(STATUS "${FILE}: ${size} bytes, at most ${LIMIT}")
