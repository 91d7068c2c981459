# Runs the program with each command line in a bare environment (no display, no Qt platform) and
# checks its exit code and what it printed where.   cmake -DPROGRAM=... -DVERSION=... -P this
set(failures "")

function(check language args expected_code stdout_regex stderr_regex)
  # ASAN_OPTIONS passes through, so a sanitised build runs as its tests do.
  execute_process(COMMAND env -i "LANG=${language}" "ASAN_OPTIONS=$ENV{ASAN_OPTIONS}" ${PROGRAM} ${args}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  set(what "LANG=${language} pricotta ${args}")
  if(NOT code STREQUAL expected_code)
    list(APPEND failures "${what}: exit ${code}, expected ${expected_code} (stdout: ${out} stderr: ${err})")
  endif()
  if(NOT out MATCHES "${stdout_regex}")
    list(APPEND failures "${what}: stdout \"${out}\" does not match \"${stdout_regex}\"")
  endif()
  if(NOT err MATCHES "${stderr_regex}")
    list(APPEND failures "${what}: stderr \"${err}\" does not match \"${stderr_regex}\"")
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

string(REPLACE "." "\\." version_regex "${VERSION}")
check(C "--version" 0 "^Pricotta ${version_regex}\n$" "^$")
check(ja_JP.UTF-8 "--version" 0 "^Pricotta 価格メモ帳 バージョン ${version_regex}\n$" "^$")
check(C "--help" 0 "^Usage: pricotta \\[FILE\\]\n.*--version.*-style" "^$")
check(ja_JP.UTF-8 "--help" 0 "^使い方: pricotta \\[ファイル\\]\n.*--version" "^$")
check(C "--version;--help" 2 "^$" "too many arguments\nUsage: pricotta")
check(C "--help;book.txt" 2 "^$" "too many arguments\nUsage: pricotta")
check(C "a.txt;b.txt" 2 "^$" "only one file can be opened\nUsage: pricotta")
check(ja_JP.UTF-8 "a.txt;b.txt" 2 "^$" "開けるファイルは一つだけです\n使い方: pricotta")
# Qt's own options are taken by Qt, as every Qt program takes them; what remains is judged as above.
check(C "-platform;offscreen;-style;fusion;--version" 0 "^Pricotta ${version_regex}\n$" "")
check(C "-platform;offscreen;a.txt;b.txt" 2 "^$" "only one file can be opened\nUsage: pricotta")
check(C "-platform;offscreen;--verbose" 2 "^$" "unknown argument: --verbose\nUsage: pricotta")

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
