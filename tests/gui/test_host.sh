#!/bin/bash
# The dialog back end's own tests (HOST_TESTS: the contract every back end keeps, and what
# only this one has), which need a display.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"
run_program "${HOST_TESTS:?}" --gtest_brief=1
