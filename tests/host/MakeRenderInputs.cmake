# Inputs of the plughost render tests, made in render-tests/ of the build
# folder: a good file, garbage, a truncated copy and a file long enough to
# show progress.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed: ${error}")
  endif()
endfunction()

file(REMOVE_RECURSE render-tests)
file(MAKE_DIRECTORY render-tests)
run(${EMULATOR} ${TOOL} write program4-saw-chord render-tests/good.wav)
file(WRITE render-tests/garbage.wav "this is not a sound file")
run(head -c 3000 render-tests/good.wav OUTPUT_FILE render-tests/truncated.wav)
run(sox -n -r 8000 -c 1 -b 16 render-tests/long.wav trim 0 31)
