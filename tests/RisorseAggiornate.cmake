# Runs the asset generator into a scratch folder and fails unless every file it writes equals the
# committed one in resources/: the bitmaps, pointers, sounds and icons are the generator's, never
# edited by hand, and never stale.
#   cmake -DGENERATORE=... -DUSCITA=... -DRISORSE=... -P RisorseAggiornate.cmake
file(REMOVE_RECURSE ${USCITA})
execute_process(COMMAND ${GENERATORE} ${USCITA} RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "genera_risorse non riuscito (${esito})")
endif()
file(GLOB_RECURSE generati RELATIVE ${USCITA} ${USCITA}/*)
list(LENGTH generati quanti)
if(quanti LESS 30)
  message(FATAL_ERROR "genera_risorse ha scritto solo ${quanti} file")
endif()
foreach(f IN LISTS generati)
  file(SHA256 ${USCITA}/${f} nuovo)
  if(EXISTS ${RISORSE}/${f})
    file(SHA256 ${RISORSE}/${f} registrato)
  else()
    set(registrato "")
  endif()
  if(NOT nuovo STREQUAL registrato)
    list(APPEND diversi ${f})
  endif()
endforeach()
if(diversi)
  message(FATAL_ERROR "Diversi da una nuova generazione: ${diversi}\n"
                      "cmake --build BUILD --target genera_risorse_tutte li riscrive.")
endif()
