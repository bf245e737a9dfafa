// The catalogue of a scenario folder: every scenario presented as the
// lister's window shows it, on several threads, and written to an output
// folder as index.html, szenarien.json and pictures.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogue_record.h"
#include "platform.h"

namespace katalog {

// Makes the XML lookup of one worker thread (each thread has its own, made
// and used on that thread).
using TextsFactory = std::function<std::unique_ptr<lister::ScenarioTexts>()>;

struct CatalogueOptions {
  std::string scenarioFolder;  // UTF-8, like every path here
  std::string outputFolder;
  int jobs = 0;  // worker threads, at most kMaxJobs; 0 for one per processor
  TextsFactory makeTexts;
  // When set, the run ends early, leaving the old catalogue as it was.
  const std::atomic<bool>* stop = nullptr;
  // Told how many scenarios are done, from the worker threads, one call at a
  // time; a count may be left out, never the last. May be empty.
  std::function<void(int done, int total)> progress;
};

struct CatalogueResult {
  bool written = false;
  std::string error;  // why not, in German
  int scenarios = 0;
  int damaged = 0;
  // "<file>: <title>: <text>" for every damaged scenario, and a line for
  // every scenario file whose name cannot be used.
  std::vector<std::string> problems;
  // What the run noticed in the output folder and left as it was.
  std::vector<std::string> notes;
  bool stopped = false;  // ended early on request
  std::uint64_t outputBytes = 0;
  std::string page;  // the path of index.html
};

CatalogueResult WriteCatalogue(const CatalogueOptions& options);

// The most worker threads a run starts: more gain nothing on any machine a
// player has, and each holds a scenario's texts and pictures.
inline constexpr int kMaxJobs = 32;

}  // namespace katalog
