# The tests that run alike on Linux and on Windows (under Wine): the dialogs, readers,
# encoder and rules on each system's C++ library, and the file operations. Paths under
# tests/.
set(VARNEL_PORTABLE_TEST_SOURCES
  app/option_controls_test.cpp
  app/startup_test.cpp
  document/base_nab_test.cpp
  document/edel_test.cpp
  document/formats_test.cpp
  document/winbes_test.cpp
  platform/cups_stall_limit_test.cpp
  platform/file_io_test.cpp
  platform/text_encoding_test.cpp
  preview/page_view_test.cpp
  print/embosser_stream_test.cpp
  print/print_fixture.cpp
  print/print_job_test.cpp
  preview/read_pages_dialog_test.cpp
  print/validation_test.cpp
  printers/option_rules_test.cpp
  printers/printer_names_test.cpp
  speech/sentences_test.cpp
  speech/shortcuts_test.cpp
  support/dialog_fixture.cpp
  support/encoder_run.cpp
)
