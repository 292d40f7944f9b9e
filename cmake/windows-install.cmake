# Windows: everything goes into one program folder (Qt finds its plugins
# beside the program, the program its data).  The Qt and mingw run-time DLLs
# are copied, stripped, beside the programs in the build folder too, where
# the tests under wine find them, and installed from there.

get_filename_component(RINSAL_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)
set(RINSAL_DLL_QT
  bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll
  plugins/platforms/qwindows.dll plugins/platforms/qoffscreen.dll plugins/platforms/qminimal.dll
  bin/Qt6Test.dll)   # for the suite in the build folder; not installed
file(GLOB RINSAL_PLUGIN_EXTRA RELATIVE ${RINSAL_QT_PREFIX}
  ${RINSAL_QT_PREFIX}/plugins/styles/*.dll ${RINSAL_QT_PREFIX}/plugins/imageformats/*.dll)
list(APPEND RINSAL_DLL_QT ${RINSAL_PLUGIN_EXTRA})

set(RINSAL_DLL_COPIATE)
foreach(rel ${RINSAL_DLL_QT})
  string(REGEX REPLACE "^(bin|plugins)/" "" dest ${rel})
  list(APPEND RINSAL_DLL_COPIATE "${RINSAL_QT_PREFIX}/${rel}|${dest}")
endforeach()
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE percorso OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS "${percorso}")
    message(FATAL_ERROR "${dll} non trovata (${percorso})")
  endif()
  list(APPEND RINSAL_DLL_COPIATE "${percorso}|${dll}")
endforeach()

set(RINSAL_DLL_USCITE)
foreach(coppia ${RINSAL_DLL_COPIATE})
  string(REPLACE "|" ";" coppia "${coppia}")
  list(GET coppia 0 origine)
  list(GET coppia 1 dest)
  get_filename_component(cartella ${dest} DIRECTORY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${dest}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/${cartella}
    COMMAND ${CMAKE_COMMAND} -E copy ${origine} ${CMAKE_BINARY_DIR}/${dest}
    COMMAND ${CMAKE_STRIP} --strip-unneeded ${CMAKE_BINARY_DIR}/${dest}
    DEPENDS ${origine})
  list(APPEND RINSAL_DLL_USCITE ${CMAKE_BINARY_DIR}/${dest})
  if(NOT dest STREQUAL "Qt6Test.dll")
    install(FILES ${CMAKE_BINARY_DIR}/${dest} DESTINATION ./${cartella})
  endif()
endforeach()

# Qt's messages and dialogs in Italian: the translation is the host's, the
# same Qt version (a .qm file is the same on every system).
set(RINSAL_QM /usr/share/qt6/translations/qtbase_it.qm)
if(NOT EXISTS ${RINSAL_QM})
  message(FATAL_ERROR "${RINSAL_QM} non trovato: installare qt6-translations-l10n")
endif()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/translations/qtbase_it.qm
  COMMAND ${CMAKE_COMMAND} -E copy ${RINSAL_QM} ${CMAKE_BINARY_DIR}/translations/qtbase_it.qm
  DEPENDS ${RINSAL_QM})
# Qt's folders are the program's own: plugins and translations beside it.
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
add_custom_target(rinsal_dll ALL DEPENDS ${RINSAL_DLL_USCITE} ${CMAKE_BINARY_DIR}/translations/qtbase_it.qm)
add_dependencies(rinsal rinsal_dll)

# The batch printer's manual, from its manual page.
find_program(GROFF groff REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/rinsal-stampa.html
  COMMAND ${GROFF} -k -man -Thtml ${CMAKE_SOURCE_DIR}/dist/rinsal-stampa.1 > ${CMAKE_BINARY_DIR}/rinsal-stampa.html
  DEPENDS ${CMAKE_SOURCE_DIR}/dist/rinsal-stampa.1)
add_custom_target(rinsal_manuale ALL DEPENDS ${CMAKE_BINARY_DIR}/rinsal-stampa.html)

install(TARGETS rinsal rinsal-stampa RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/translations/qtbase_it.qm DESTINATION translations)
install(FILES ${CMAKE_BINARY_DIR}/qt.conf DESTINATION .)
install(FILES data/Internet.mid data/SuggerimentiRinsal.TXT ${CMAKE_BINARY_DIR}/rinsal.ico
              ${CMAKE_BINARY_DIR}/rinsal-stampa.html DESTINATION .)
install(DIRECTORY data/esempi/ DESTINATION esempi)

# `make windows`: the 64-bit setup program, in Italian.
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Rinsal)
set(CPACK_PACKAGE_VENDOR Rinsal)
set(CPACK_PACKAGE_FILE_NAME "Rinsal-${PROJECT_VERSION}-setup")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Rinsal)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Rinsal)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calcoli di consolidamenti di edifici in muratura")
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_DEFINES "  Target amd64-unicode")
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-INPUTCHARSET UTF8")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Rinsal)
set(CPACK_NSIS_DISPLAY_NAME Rinsal)
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/rinsal.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/rinsal.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME rinsal.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN rinsal.exe)
set(CPACK_PACKAGE_EXECUTABLES rinsal Rinsal)
set(CPACK_NSIS_MENU_LINKS rinsal-stampa.html "Manuale di rinsal-stampa")
# "Apri con": data files have no extension, so Rinsal is offered for any file.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr SHCTX 'Software\\\\Classes\\\\Applications\\\\rinsal.exe' 'FriendlyAppName' 'Rinsal'
  WriteRegStr SHCTX 'Software\\\\Classes\\\\Applications\\\\rinsal.exe\\\\DefaultIcon' '' '$INSTDIR\\\\rinsal.exe,0'
  WriteRegStr SHCTX 'Software\\\\Classes\\\\Applications\\\\rinsal.exe\\\\shell\\\\open\\\\command' '' '\\\"$INSTDIR\\\\rinsal.exe\\\" \\\"%1\\\"'
  WriteRegStr SHCTX 'Software\\\\Classes\\\\*\\\\OpenWithList\\\\rinsal.exe' '' ''
")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  DeleteRegKey SHCTX 'Software\\\\Classes\\\\Applications\\\\rinsal.exe'
  DeleteRegKey SHCTX 'Software\\\\Classes\\\\*\\\\OpenWithList\\\\rinsal.exe'
")

# CMake's own setup script, with Italian as its only language and its few
# texts of its own in Italian.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in RINSAL_NSIS)
string(REGEX REPLACE "!insertmacro MUI_LANGUAGE \"English\"[^\n]*\n(  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"\n)*"
  "!insertmacro MUI_LANGUAGE \"Italian\"\n" RINSAL_NSIS "${RINSAL_NSIS}")
foreach(coppia
    "is already installed. $\\n$\\nDo you want to uninstall the old version before installing the new one?|è già installato.$\\n$\\nDisinstallare la versione precedente prima di installare questa?"
    "\"Uninstall failed.\"|\"Disinstallazione non riuscita.\""
    "\"Selected environment for all users\"|\"Installazione per tutti gli utenti\""
    "\"Selected environment for current user only.\"|\"Installazione per l'utente attuale\""
    "\"Download failed: $1\"|\"Scaricamento non riuscito: $1\"")
  string(REPLACE "|" ";" coppia "${coppia}")
  list(GET coppia 0 da)
  list(GET coppia 1 a)
  string(FIND "${RINSAL_NSIS}" "${da}" trovato)
  if(trovato EQUAL -1)
    message(FATAL_ERROR "Testo del programma di installazione non trovato: ${da}")
  endif()
  string(REPLACE "${da}" "${a}" RINSAL_NSIS "${RINSAL_NSIS}")
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/nsis/NSIS.template.in "${RINSAL_NSIS}")
file(COPY ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.InstallOptions.ini.in DESTINATION ${CMAKE_BINARY_DIR}/nsis)
set(CPACK_MODULE_PATH ${CMAKE_BINARY_DIR}/nsis)
include(CPack)
