#pragma once

// The one seam through which a test build of the program watches a whole run and acts in it,
// without a change to the program: the run time tells the watcher when the program's start-up
// sequence has run, and each declared file type tells it when it is registered and when it is
// released. The shipped program sets no watcher, and nothing of a run depends on one.

namespace fw {

class FileType;

class RunWatcher {
public:
  virtual ~RunWatcher() = default;
  // The start-up sequence has run to its end. This is still inside start-up: what the watcher
  // throws leaves start-up as an exception of the program's own would.
  virtual void StartupRan() { }
  virtual void FileTypeRegistered(const FileType& type) { (void)type; }
  virtual void FileTypeReleased(const FileType& type) { (void)type; }
};

// Puts watcher in place until it is called again; nullptr: none. The caller keeps it alive
// meanwhile.
void SetRunWatcher(RunWatcher* watcher);
// The watcher in place, or nullptr.
RunWatcher* CurrentRunWatcher();

}  // namespace fw
