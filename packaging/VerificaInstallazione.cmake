# Installs the build into PREFISSO and checks the result: every file in place, the menu entry
# and the metadata accepted by desktop-file-validate and appstreamcli, and the names that tie
# them together (program, icon, menu entry) pointing at installed files.
#   cmake -DCARTELLA_BUILD=... -DPREFISSO=... -DID=... -DLATI_ICONA="16;32" [-DCONVERTITORE=1]
#         -P VerificaInstallazione.cmake

foreach(variabile CARTELLA_BUILD PREFISSO ID LATI_ICONA)
  if(NOT DEFINED ${variabile})
    message(FATAL_ERROR "manca -D${variabile}")
  endif()
endforeach()

# Runs a command that must succeed; its output goes to the variable named by the first argument.
function(esegui variabile)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE esito OUTPUT_VARIABLE uscita
                  ERROR_VARIABLE uscita)
  if(NOT esito EQUAL 0)
    string(REPLACE ";" " " comando "${ARGN}")
    message(FATAL_ERROR "${comando}: ${esito}\n${uscita}")
  endif()
  set(${variabile} "${uscita}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFISSO})
esegui(uscita ${CMAKE_COMMAND} --install ${CARTELLA_BUILD} --prefix ${PREFISSO})

set(voce ${PREFISSO}/share/applications/${ID}.desktop)
set(metadati ${PREFISSO}/share/metainfo/${ID}.metainfo.xml)
set(attesi bin/GridoraPC share/applications/${ID}.desktop share/metainfo/${ID}.metainfo.xml
           share/icons/hicolor/scalable/apps/${ID}.svg share/doc/gridorapc/copyright
           share/doc/gridorapc/LICENSE share/doc/gridorapc/LICENSE.font)
foreach(lato IN LISTS LATI_ICONA)
  list(APPEND attesi share/icons/hicolor/${lato}x${lato}/apps/${ID}.png)
endforeach()
if(CONVERTITORE)
  list(APPEND attesi libexec/gridorapc/gridora-wmf)
endif()
foreach(file IN LISTS attesi)
  if(NOT EXISTS ${PREFISSO}/${file})
    message(FATAL_ERROR "non installato: ${file}")
  endif()
endforeach()
# The starting collection as .non files: every size, each puzzle under its name.
foreach(lato 5 10 15)
  file(GLOB schemi ${PREFISSO}/share/gridorapc/schemi/${lato}/*.non)
  list(LENGTH schemi quanti)
  if(quanti LESS 20 OR NOT EXISTS ${PREFISSO}/share/gridorapc/schemi/${lato}/Casa.non)
    message(FATAL_ERROR "schemi ${lato}x${lato} installati: ${quanti}")
  endif()
endforeach()

foreach(programma desktop-file-validate appstreamcli)
  find_program(percorso_${programma} ${programma})
  if(NOT percorso_${programma})
    message(FATAL_ERROR "${programma} non trovato (bash tools/installa-pacchetti.sh)")
  endif()
endforeach()
# Both pass files with hints (a category missing its main one, no content rating), so any
# remark at all fails here.
esegui(uscita ${percorso_desktop-file-validate} ${voce})
if(NOT uscita STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate:\n${uscita}")
endif()
esegui(uscita ${percorso_appstreamcli} validate --no-net ${metadati})
if(uscita MATCHES "(^|\n)[IWE]: ")
  message(FATAL_ERROR "appstreamcli validate:\n${uscita}")
endif()

# The validators look at one file each; the names that join them are checked here.
file(STRINGS ${voce} exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]*).*$" "\\1" programma "${exec}")
if(programma STREQUAL "" OR NOT EXISTS ${PREFISSO}/bin/${programma})
  message(FATAL_ERROR "la voce del menu non avvia un programma installato in bin: ${exec}")
endif()
file(STRINGS ${voce} icona REGEX "^Icon=")
if(NOT icona STREQUAL "Icon=${ID}")
  message(FATAL_ERROR "la voce del menu mostra «${icona}», l'icona è installata come ${ID}")
endif()
file(READ ${metadati} testo)
if(NOT testo MATCHES "<launchable type=\"desktop-id\">${ID}.desktop</launchable>")
  message(FATAL_ERROR "i metadati non rimandano a ${ID}.desktop")
endif()
