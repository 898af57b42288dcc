# Speaks a unit's narration lines into SOUNDn.WAV files.
#   cmake -DNARRATION=narration.txt -DOUT_DIR=folder [-DESPEAK_NG=program] -P narration_sounds.cmake
# Each line of the narration file is a number, a tab and the sentence in kana.
if(NOT ESPEAK_NG)
  find_program(ESPEAK_NG espeak-ng)
endif()
if(NOT ESPEAK_NG OR NOT EXISTS "${ESPEAK_NG}")
  message(FATAL_ERROR
    "espeak-ng is needed to speak the narration sounds; install the Debian package espeak-ng")
endif()

file(STRINGS "${NARRATION}" lines ENCODING UTF-8)
file(MAKE_DIRECTORY "${OUT_DIR}")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([0-9]+)\t(.+)$")
    message(FATAL_ERROR "${NARRATION}: a line without a number, a tab and a sentence: ${line}")
  endif()
  set(sound "${OUT_DIR}/SOUND${CMAKE_MATCH_1}.WAV")
  execute_process(
    COMMAND "${ESPEAK_NG}" -v ja -s 150 -w "${sound}" "${CMAKE_MATCH_2}"
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
  if(NOT result EQUAL 0 OR NOT EXISTS "${sound}")
    message(FATAL_ERROR "espeak-ng could not speak ${sound}: ${errors}")
  endif()
endforeach()
