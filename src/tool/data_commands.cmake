# The loan-book commands of varnel-tool (create, check, index); included by the
# tool's CMakeLists, which links them with varnel_data.
set(VARNEL_TOOL_DATA_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DataCommands.h
  ${CMAKE_CURRENT_LIST_DIR}/DataCommandsSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataCommandsSupport.h
  ${CMAKE_CURRENT_LIST_DIR}/CreateCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CheckCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IndexCommand.cpp
)
