# Run by CTest before the first test (ACTION=record) and after the last
# (ACTION=check, which fails on a difference): the tests leave the settings
# of the user running them alone (tests/support/ownsettings.cpp).
#   cmake -DACTION=record|check -DSTATE=<file> -P settingsguard.cmake
set(config "$ENV{XDG_CONFIG_HOME}")
if(config STREQUAL "")
  set(config "$ENV{HOME}/.config")
endif()
# What a test could write there: the window's settings, the file dialogs'
# state, Qt's test-mode folder.
file(GLOB_RECURSE files LIST_DIRECTORIES false
     "${config}/kvx-config/*" "${config}/QtProject.conf" "$ENV{HOME}/.qttest/*")
list(SORT files)
set(listing "")
foreach(file IN LISTS files)
  file(TIMESTAMP "${file}" time "%Y-%m-%dT%H:%M:%S" UTC)
  file(SHA256 "${file}" hash)
  string(APPEND listing "${file} ${time} ${hash}\n")
endforeach()
if(ACTION STREQUAL "record")
  file(WRITE "${STATE}" "${listing}")
  return()
endif()
file(READ "${STATE}" before)
if(NOT before STREQUAL listing)
  message(FATAL_ERROR "the tests changed the user's own settings in ${config}:\nbefore:\n${before}after:\n${listing}")
endif()
