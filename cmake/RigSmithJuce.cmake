# JUCE, compiled once into one static library. The module targets are linked
# PRIVATE (so their sources compile here only) and their include directories and
# compile definitions are re-exported to whoever links this library.
set(RIGSMITH_JUCE_MODULES
  juce::juce_core
  juce::juce_events
  juce::juce_data_structures
  juce::juce_graphics
  juce::juce_gui_basics
  juce::juce_audio_basics
  juce::juce_audio_devices)

add_library(rigsmith_juce STATIC)
target_link_libraries(rigsmith_juce
  PRIVATE ${RIGSMITH_JUCE_MODULES}
  PUBLIC juce::pkgconfig_JUCE_IMG_LINUX_DEPS)

set(RIGSMITH_JUCE_DEFINITIONS
  JUCE_WEB_BROWSER=0
  JUCE_USE_CURL=0
  JUCE_MODAL_LOOPS_PERMITTED=1
  JUCE_STANDALONE_APPLICATION=1
  JUCE_DISPLAY_SPLASH_SCREEN=0
  JUCE_REPORT_APP_USAGE=0
  JUCE_USE_XRANDR=0
  JUCE_USE_XINERAMA=0
  JUCE_USE_XCURSOR=0
  JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1)
target_compile_definitions(rigsmith_juce PUBLIC ${RIGSMITH_JUCE_DEFINITIONS})

foreach(module IN LISTS RIGSMITH_JUCE_MODULES)
  target_include_directories(rigsmith_juce SYSTEM INTERFACE
    $<TARGET_PROPERTY:${module},INTERFACE_INCLUDE_DIRECTORIES>)
  target_compile_definitions(rigsmith_juce INTERFACE
    $<TARGET_PROPERTY:${module},INTERFACE_COMPILE_DEFINITIONS>)
endforeach()

find_package(Threads REQUIRED)
target_link_libraries(rigsmith_juce PUBLIC Threads::Threads ${CMAKE_DL_LIBS})
