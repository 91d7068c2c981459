# Validates the desktop entry and the AppStream metadata.
#   cmake -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -DDESKTOP_FILE=... -DMETAINFO_FILE=... -P this
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${DESKTOP_FILE}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
# desktop-file-validate exits 0 after hints too; anything it prints is a finding.
if(NOT code EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate ${DESKTOP_FILE}:\n${out}")
endif()

# "Open with" in a file manager hands the program the notebook: the entry takes one file and
# offers itself for plain text, which notebooks are.
file(STRINGS ${DESKTOP_FILE} exec REGEX "^Exec=")
file(STRINGS ${DESKTOP_FILE} mime REGEX "^MimeType=")
if(NOT exec STREQUAL "Exec=pricotta %f" OR NOT mime MATCHES "[=;]text/plain")
  message(FATAL_ERROR "${DESKTOP_FILE}: the entry must open one file (%f) and name text/plain: ${exec} ${mime}")
endif()

execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${METAINFO_FILE}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate ${METAINFO_FILE}:\n${out}")
endif()
