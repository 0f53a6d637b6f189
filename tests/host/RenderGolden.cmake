# Writes the input of the golden case CASE as a WAV file (INPUT_FORMAT),
# renders it with plughost through PLUGIN (RENDER_ARGS) and checks that the
# output is the case's golden output, bit for bit.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed: ${output}${error}")
  endif()
  message(STATUS "${output}")
endfunction()

get_filename_component(kind ${PLUGIN} EXT)
set(input render-tests/${CASE}${kind}-in.wav)
set(output render-tests/${CASE}${kind}-out.wav)
run(${EMULATOR} ${TOOL} write ${CASE} ${input} --format ${INPUT_FORMAT})
run(${EMULATOR} ${PLUGHOST} render ${PLUGIN} ${input} ${output} ${RENDER_ARGS})
run(${EMULATOR} ${TOOL} check ${CASE} ${output})
