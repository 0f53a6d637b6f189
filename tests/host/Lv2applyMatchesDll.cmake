# The saw chord (32-bit float) through factory program PROGRAM twice: by
# plughost render --block 4096 of the DLL (whole windows, where the DLL
# filters as the other doors do), and by lv2apply (a host nobody here wrote,
# which runs one frame at a time) through the native build's LV2 bundle with
# the preset's port values. The float data must be equal in bits, and more
# than the input scaled: a door whose filter never engaged passes only its
# dry path.
if(NOT EXISTS ${BUNDLE}/presets.ttl)
  message(FATAL_ERROR "no LV2 bundle at ${BUNDLE}: build the native preset first")
endif()
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed: ${output}${error}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

# The float samples after a WAV file's "data" chunk header (the two writers' other chunks differ).
function(float_data file variable)
  file(READ ${file} hex HEX)
  string(FIND "${hex}" "64617461" at)  # "data"
  math(EXPR at "${at} + 16")
  string(SUBSTRING "${hex}" ${at} -1 data)
  set(${variable} "${data}" PARENT_SCOPE)
endfunction()

set(input render-tests/lv2-chord.wav)
set(dll render-tests/lv2-dll-${PROGRAM}.wav)
set(lv2 render-tests/lv2-lv2-${PROGRAM}.wav)
run(${EMULATOR} ${TOOL} write program0-saw-chord ${input} --format f32)
run(${EMULATOR} ${PLUGHOST} render SweepFilter.dll ${input} ${dll} --program ${PROGRAM} --block 4096)
run(bash ${PRESET_ARGS} ${BUNDLE} ${PROGRAM})
string(REPLACE "\n" ";" controls "${output}")
run(${CMAKE_COMMAND} -E env LV2_PATH=${BUNDLE}/.. lv2apply -i ${input} -o ${lv2} ${controls} urn:sweepfilter:lv2)
float_data(${dll} expected)
float_data(${lv2} actual)
string(LENGTH "${expected}" length)
if(length LESS 1000000 OR NOT expected STREQUAL actual)
  message(FATAL_ERROR "${lv2} differs from ${dll} (${length} hex digits of samples)")
endif()
run(${EMULATOR} ${TOOL} filtered ${input} ${lv2})
