# Run by CTest before the first test (ACTION=record) and after the last one
# (ACTION=check): fails when the run changed the settings of the user who
# runs it, which every test must leave alone (tests/support/ownsettings.cpp).
#   cmake -DACTION=record|check -DSTATE=<file> -P settingsguard.cmake
set(home "$ENV{HOME}")
set(config "$ENV{XDG_CONFIG_HOME}")
if(config STREQUAL "")
  set(config "${home}/.config")
endif()
# What a test of ours could write there: the window's settings, the file
# dialogs' state and Qt's test-mode folder.
set(listing "")
foreach(path "${config}/kvx-config" "${config}/QtProject.conf" "${home}/.qttest")
  set(files "")
  if(IS_DIRECTORY "${path}")
    file(GLOB_RECURSE files LIST_DIRECTORIES false "${path}/*")
    list(SORT files)
  elseif(EXISTS "${path}")
    set(files "${path}")
  endif()
  foreach(file IN LISTS files)
    file(TIMESTAMP "${file}" time "%Y-%m-%dT%H:%M:%S" UTC)
    file(SHA256 "${file}" hash)
    string(APPEND listing "${file} ${time} ${hash}\n")
  endforeach()
endforeach()

if(ACTION STREQUAL "record")
  file(WRITE "${STATE}" "${listing}")
elseif(NOT EXISTS "${STATE}")
  message(FATAL_ERROR "no record of the settings before the tests (${STATE})")
else()
  file(READ "${STATE}" before)
  if(NOT before STREQUAL listing)
    message(FATAL_ERROR "the tests changed the user's own settings in ${config}:\n"
                        "before:\n${before}after:\n${listing}")
  endif()
endif()
