# The event-list player on the simulated desktop.
xd_add_fuzz_library(xd_eventlist_player_fuzz FROM xd_eventlist xd_eventlist_player LIBS xd_playback_fuzz)
xd_add_fuzz_target(fuzz_play_events SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_play_events.cpp
                   LIBS xd_eventlist_player_fuzz)
