# Speaks a unit's narration lines into SOUNDn.WAV files with Open JTalk.
#   cmake -DNARRATION=narration.txt -DOUT_DIR=folder -DOPEN_JTALK=program
#         -DDICTIONARY=folder -DVOICE=file.htsvoice -P narration_sounds.cmake
# A line of the narration file is the sound's number, a tab, optionally the
# speed (1.0 is the voice's own, at most 1.5) and a tab, and the sentence.
# Lines that do not start with a number (comments, blank lines) say nothing.
foreach(needed OPEN_JTALK DICTIONARY VOICE)
  if(NOT ${needed} OR NOT EXISTS "${${needed}}")
    message(FATAL_ERROR
      "The narration cannot be spoken without ${needed} (now '${${needed}}'): it needs the "
      "Debian packages open-jtalk and open-jtalk-mecab-naist-jdic and the voice of "
      "hts-voice-nitech-jp-atr503-m001 (contrib), which scripts/play and scripts/test set up")
  endif()
endforeach()

file(STRINGS "${NARRATION}" lines ENCODING UTF-8 REGEX "^[0-9]")
file(MAKE_DIRECTORY "${OUT_DIR}")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([0-9]+)\t(([0-9.]+)\t)?([^\t]+)$")
    message(FATAL_ERROR "${NARRATION}: not a number, a tab, [a speed, a tab,] a sentence: ${line}")
  endif()
  set(sound "${OUT_DIR}/SOUND${CMAKE_MATCH_1}.WAV")
  set(speed "${CMAKE_MATCH_3}")
  set(sentence "${CMAKE_MATCH_4}")
  if(speed STREQUAL "")
    set(speed 1.0)
  elseif(speed LESS 0.5 OR speed GREATER 1.5)
    message(FATAL_ERROR "${NARRATION}: SOUND${CMAKE_MATCH_1} wants the speed ${speed}; 0.5 to 1.5 sound natural")
  endif()
  file(REMOVE "${sound}")
  set(text "${sound}.txt")
  file(WRITE "${text}" "${sentence}\n")
  execute_process(
    COMMAND "${OPEN_JTALK}" -x "${DICTIONARY}" -m "${VOICE}" -r ${speed} -ow "${sound}" "${text}"
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
  file(REMOVE "${text}")
  if(NOT result EQUAL 0 OR NOT EXISTS "${sound}")
    message(FATAL_ERROR "Open JTalk could not speak ${sound}: ${errors}")
  endif()
endforeach()
