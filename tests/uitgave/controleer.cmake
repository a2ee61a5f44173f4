# Runs the release check with the variables given on the command line.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/Uitgavecontrole.cmake)
rcv_controleer_uitgave()
