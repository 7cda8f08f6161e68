# Third-party packages, all from the distribution (see scripts/install-deps.sh).
find_package(nlohmann_json 3.10 REQUIRED)
find_package(CLI11 REQUIRED)
if(ORBEL_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()
if(ORBEL_BUILD_BENCH AND NOT ORBEL_SANITIZE AND NOT ORBEL_FUZZ)
  find_package(benchmark REQUIRED)
endif()
if(ORBEL_WITH_QT)
  # No class of ours declares signals or slots (connections are lambdas), so
  # the build needs no moc step.
  find_package(Qt6 6.2 REQUIRED COMPONENTS Widgets Test)
endif()
