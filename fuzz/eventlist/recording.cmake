# The event-list recorder and its list of groups on the simulated desktop.
find_package(Threads REQUIRED)
xd_add_fuzz_library(xd_eventlist_recording_fuzz
                    FROM xd_platform xd_platform_sim xd_sim_ini xd_documents xd_appcore xd_eventlist xd_eventlist_recording
                    LIBS Threads::Threads)
xd_add_fuzz_target(fuzz_eventlist_recording SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzEventRecording.cpp
                   LIBS xd_eventlist_recording_fuzz)
