# Any bytes opened as an event-list script.
xd_add_fuzz_target(fuzz_eventlist_document
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzEventScriptDocument.cpp
          ${PROJECT_SOURCE_DIR}/eventlist/document/EventScriptFile.cpp
          ${PROJECT_SOURCE_DIR}/eventlist/document/EventDocument.cpp
          ${PROJECT_SOURCE_DIR}/eventlist/PlaySliders.cpp
          ${PROJECT_SOURCE_DIR}/eventlist/RecordedEvent.cpp
          ${PROJECT_SOURCE_DIR}/eventlist/KeyEvent.cpp
          ${PROJECT_SOURCE_DIR}/appcore/keyboard/KeyNames.cpp
          ${PROJECT_SOURCE_DIR}/platform/common/Text.cpp)
