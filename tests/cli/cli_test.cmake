# Runs realsuffix-cli on a few files and checks its lines and exit codes.
# -DCLI=program -DWORK=scratch folder [-DEMULATOR=runner for a cross build]
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/clip.dat" "PK")
file(WRITE "${WORK}/notes.txt" "plain words")
file(WRITE "${WORK}/-b" "PK")

set(failures 0)

function(expect_run expected_code expected_out)
  execute_process(COMMAND ${EMULATOR} "${CLI}" ${ARGN}
                  WORKING_DIRECTORY "${WORK}"
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REPLACE "\r" "" out "${out}")
  string(REPLACE "\r" "" err "${err}")
  if(NOT code EQUAL expected_code OR NOT out STREQUAL expected_out)
    message(SEND_ERROR "realsuffix-cli ${ARGN}\n  exit ${code}, expected ${expected_code}\n"
                       "  stdout [${out}]\n  expected [${expected_out}]\n  stderr [${err}]")
  endif()
  set(last_err "${err}" PARENT_SCOPE)
endfunction()

expect_run(0 "clip.dat: .zip\n" clip.dat)
expect_run(0 ".zip\n" -b clip.dat)
expect_run(0 "-b: .zip\n" -- -b)
if(NOT EMULATOR)
  # On Linux the texts come out in UTF-8.
  expect_run(0 "notes.txt: 无法判断!\nmissing: 无法判断!\n" notes.txt missing)
endif()

foreach(args "" "-b" "-x;clip.dat")
  expect_run(2 "" ${args})
  if(NOT last_err MATCHES "^usage: realsuffix-cli \\[-b\\] PATH\\.\\.\\.\n$")
    message(SEND_ERROR "usage line for [${args}] was [${last_err}]")
  endif()
endforeach()
