# Working-time readout, reset and marking time, through the real panel.
zor_add_test(working_time_test GUI SOURCES working_time_test.cpp LIBS zor_panel_harness)
