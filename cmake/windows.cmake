# Windows: the icon, drawn by the program's own code through the rinsal-icone
# of a Linux build (a cross-built one cannot run here), and the version
# resource of both programs.
set(RINSAL_ICONE_HOST "" CACHE FILEPATH "rinsal-icone of a Linux build of this tree")
if(NOT RINSAL_ICONE_HOST)
  message(FATAL_ERROR "RINSAL_ICONE_HOST: il programma rinsal-icone della versione Linux (make windows lo passa)")
endif()
set(RINSAL_ICO ${CMAKE_BINARY_DIR}/rinsal.ico)
add_custom_command(OUTPUT ${RINSAL_ICO}
  COMMAND ${RINSAL_ICONE_HOST} --ico ${RINSAL_ICO}
  DEPENDS ${RINSAL_ICONE_HOST}
  COMMENT "Icona del programma per Windows")
add_custom_target(rinsal_ico ALL DEPENDS ${RINSAL_ICO})

foreach(programma rinsal rinsal-stampa)
  set(RINSAL_NOME ${programma})
  if(programma STREQUAL "rinsal")
    set(RINSAL_DESCRIZIONE "Rinsal - calcoli di consolidamenti di edifici in muratura")
  else()
    set(RINSAL_DESCRIZIONE "Rinsal - stampa dei file di dati senza finestre")
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/dist/rinsal.rc.in ${CMAKE_BINARY_DIR}/${programma}.rc @ONLY)
  set_source_files_properties(${CMAKE_BINARY_DIR}/${programma}.rc PROPERTIES OBJECT_DEPENDS ${RINSAL_ICO})
  target_sources(${programma} PRIVATE ${CMAKE_BINARY_DIR}/${programma}.rc)
  add_dependencies(${programma} rinsal_ico)
endforeach()
