# Installs the build into a scratch prefix and checks that every file lies where the installed
# program and the desktop look for it, and that the installed program runs.
#   cmake -DBUILD_DIR=... -DSTAGE=... -DBINDIR=... -DDATADIR=... -DDATA_FROM_BIN=...
#         -DLIBRARY_FROM_BIN=... -DDESKTOP_ID=... -DMETAINFO_ID=... -DVERSION=...
#         [-DAPPSTREAMCLI=...] -P this
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}")
endif()

set(bin ${STAGE}/${BINDIR})
set(share ${STAGE}/${DATADIR})
set(expected
  ${bin}/pricotta
  ${bin}/${DATA_FROM_BIN}/zorvan_00.html
  ${bin}/${DATA_FROM_BIN}/お読み下さい.txt
  ${bin}/${LIBRARY_FROM_BIN}/libverinf14.so
  ${share}/applications/${DESKTOP_ID}.desktop
  ${share}/metainfo/${METAINFO_ID}.metainfo.xml
  ${share}/icons/hicolor/scalable/apps/pricotta.svg
  ${share}/doc/pricotta/copyright
  ${bin}/pricotta-cli
  ${share}/man/man1/pricotta-cli.1
  ${share}/bash-completion/completions/pricotta-cli)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected ${share}/icons/hicolor/${size}x${size}/apps/pricotta.png)
endforeach()
set(missing "")
foreach(path IN LISTS expected)
  if(NOT EXISTS ${path} OR IS_DIRECTORY ${path})
    list(APPEND missing ${path})
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n" text)
  message(FATAL_ERROR "not installed:\n${text}")
endif()

execute_process(COMMAND env -i LANG=C ${bin}/pricotta --version
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0 OR NOT out STREQUAL "Pricotta ${VERSION}\n")
  message(FATAL_ERROR "the installed program answered ${code}: ${out}${err}")
endif()

# The metadata and the desktop entry it launches agree, as a software centre reads them.
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${STAGE}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree ${STAGE}:\n${out}")
  endif()
endif()
