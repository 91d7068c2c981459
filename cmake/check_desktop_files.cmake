# Validates the desktop entry and the AppStream metadata.
#   cmake -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -DDESKTOP_FILE=... -DMETAINFO_FILE=... -P this
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${DESKTOP_FILE}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
# desktop-file-validate exits 0 after hints too; anything it prints is a finding.
if(NOT code EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate ${DESKTOP_FILE}:\n${out}")
endif()

execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${METAINFO_FILE}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate ${METAINFO_FILE}:\n${out}")
endif()
