// Figure 4: creating and starting a clip from a 1-second WAV file, as every
// PlayClip does (the clip before it released, the new one made and
// started), against restarting the step clip that was loaded once. A file
// played before is not read again while it is unchanged; the first play of
// a file reads it and converts it to the output format.

#include "bench/Figures.h"

namespace bench {
namespace {

constexpr char kSecondClip[] = "second.wav";
constexpr int kWarmUpRuns = 20;

std::vector<double> TimeUs(int runs, const std::function<void()>& action) {
  // The end notifications of the released clips reach the window between runs.
  return Sample(runs, action, 1e3, kWarmUpRuns, ProcessPendingEvents);
}

Figure ClipFigure(const std::string& id, const std::string& name, const std::vector<double>& value,
                  const std::vector<double>& restarts, const std::string& note) {
  Figure figure = MakeFigure(id, name, "us", value, "restarting the step clip loaded once",
                             Summarize(restarts), 1000.0);
  figure.note = note;
  return figure;
}

}  // namespace

void ClipCreation(std::ostream& out, const Settings& settings) {
  ClipStack stack;
  sound::ClipPlayback& clips = stack.clips;
  const std::filesystem::path& folder = stack.folder.Path();
  std::filesystem::copy_file(ProgramFolder() / sound::kStepClipName, folder / sound::kStepClipName);
  clips.LoadStepClip();
  fake::WriteTone(folder / kSecondClip, 1000);

  const std::vector<double> restarts = TimeUs(settings.clipRuns, [&] { clips.RestartStep(0); });
  const std::vector<double> plays = TimeUs(settings.clipRuns, [&] {
    if (!clips.PlayClip(kSecondClip)) throw std::runtime_error("cannot play the 1-second clip");
  });
  // Every play of a file of its own: each is read and converted, as the
  // first play of a clip (or the play of a changed file) is.
  for (int i = 0; i < settings.clipRuns + kWarmUpRuns; ++i) {
    fake::WriteTone(folder / ("first-" + std::to_string(i) + ".wav"), 1000);
  }
  int next = 0;
  const std::vector<double> firstPlays = TimeUs(settings.clipRuns, [&] {
    if (!clips.PlayClip("first-" + std::to_string(next++) + ".wav")) {
      throw std::runtime_error("cannot play a 1-second clip");
    }
  });

  Print(out, ClipFigure("4u", "Clip creation: the first PlayClip of a 1-second WAV file",
                        firstPlays, restarts,
                        "read and converted from 22050 Hz mono to the 44100 Hz stereo output"));
  Print(out, ClipFigure("4", "Clip creation: PlayClip of a 1-second WAV played before", plays,
                        restarts, "the file unchanged: its decoded samples are started again"));
}

}  // namespace bench
