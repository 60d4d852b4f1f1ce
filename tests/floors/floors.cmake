# The rules of the floors that the compiler cannot see: the computing
# libraries say nothing (the words layer words their facts), and threads are
# started in two places only. Run by CTest: cmake -DROOT=<source> -P floors.cmake
set(faults)
foreach(folder almanac logbook maps)
  file(GLOB sources ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} found REGEX "(^|[^A-Za-z_])(tr|translate)\\(|QT_TR_NOOP|QT_TRANSLATE_NOOP|Q_DECLARE_TR_FUNCTIONS")
    if(found)
      list(APPEND faults "${source}: a translation marker: ${found}")
    endif()
  endforeach()
endforeach()
file(GLOB_RECURSE sources ${ROOT}/calc/*.h ${ROOT}/calc/*.cpp ${ROOT}/almanac/*.cpp ${ROOT}/almanac/*.h
  ${ROOT}/logbook/*.cpp ${ROOT}/logbook/*.h ${ROOT}/maps/*.cpp ${ROOT}/maps/*.h ${ROOT}/words/*.cpp
  ${ROOT}/words/*.h ${ROOT}/windows/*.cpp ${ROOT}/windows/*.h ${ROOT}/app/*.cpp ${ROOT}/app/*.h
  ${ROOT}/tools/*.cpp ${ROOT}/tools/*.h)
foreach(source IN LISTS sources)
  if(source MATCHES "/calc/parallel\\.h$|/windows/shared/backgroundwork\\.h$")
    continue()
  endif()
  file(STRINGS ${source} found REGEX "std::j?thread[ (>]|std::async|QThread::create|QtConcurrent::run|new QThread")
  if(found)
    list(APPEND faults "${source}: starts a thread: ${found}")
  endif()
endforeach()
if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "${text}")
endif()
