#pragma once

// Runs a test build of the program as a process on the offscreen platform, playing the user
// that QUILLON_TEST_ACTION names (test_actions.cpp), and gives back how it ended and what it
// wrote on standard error. Settings of the environment given to it change that, the platform
// included.

#include <initializer_list>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

namespace testing_support {

struct ProgramRun {
  bool finished { false };  // false: still running after a minute, and killed
  QProcess::ExitStatus exitStatus { QProcess::NormalExit };
  int exitCode { 0 };
  QString errors;
};

// One variable of the environment: set to value, or removed when value is nullptr.
struct Setting {
  const char* name;
  const char* value;
};

inline ProgramRun RunUnderTest(const QString& program, const char* action,
                               std::initializer_list<Setting> settings = {}) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("QUILLON_TEST_ACTION", action);
  for (const Setting& setting : settings) {
    if (setting.value != nullptr)
      environment.insert(setting.name, setting.value);
    else
      environment.remove(setting.name);
  }
  process.setProcessEnvironment(environment);
  process.start(program, {});
  ProgramRun run;
  run.finished = process.waitForFinished(60000);
  run.exitStatus = process.exitStatus();
  run.exitCode = process.exitCode();
  run.errors = QString::fromUtf8(process.readAllStandardError());
  return run;
}

}  // namespace testing_support
