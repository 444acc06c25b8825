# cmake -DGZIP=gzip -DINPUT=file -DOUTPUT=file.gz -P gzip.cmake
# Compresses as Debian wants it: best compression, no name or time stamp.
execute_process(COMMAND ${GZIP} -9n -c ${INPUT} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "gzip ${INPUT} failed: ${status}")
endif()
