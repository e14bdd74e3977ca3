#include "sound/WebAudioDevice.h"

#include <emscripten.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "sound/BeepTone.h"
#include "sound/PanLaw.h"

namespace sound {
namespace {

// Calls into the page's glue. None of them re-enters the program.
EM_JS(int, JsOpenAudio, (), { return Module.webAudio.open(); });
EM_JS(int, JsSampleRate, (), { return Module.webAudio.sampleRate(); });
EM_JS(void, JsSetBeep, (const float* samples, int count),
      { Module.webAudio.setBeep(HEAPF32.slice(samples >> 2, (samples >> 2) + count)); });
EM_JS(void, JsDecode, (const char* path, const unsigned char* bytes, int size),
      { Module.webAudio.decode(UTF8ToString(path), HEAPU8.slice(bytes, bytes + size)); });
// 1 decoded, 0 still decoding, -1 not decodable or never handed over.
EM_JS(int, JsDecodeState, (const char* path),
      { return Module.webAudio.decodeState(UTF8ToString(path)); });
EM_JS(int, JsCreateClip, (const char* path, int slot),
      { return Module.webAudio.createClip(UTF8ToString(path), slot); });
EM_JS(void, JsReleaseClip, (int id), { Module.webAudio.release(id); });
EM_JS(int, JsClipPlaying, (int id), { return Module.webAudio.isPlaying(id); });
EM_JS(void, JsPlayClip, (int id), { Module.webAudio.play(id); });
EM_JS(void, JsStopClip, (int id), { Module.webAudio.stop(id); });
EM_JS(void, JsPanClip, (int id, int pan, double left, double right),
      { Module.webAudio.pan(id, pan, left, right); });
EM_JS(void, JsPlayBeep, (), { Module.webAudio.beep(); });
EM_JS(void, JsCloseAudio, (), { Module.webAudio.close(); });
// Suspends the program until the clip's decoding has finished.
EM_ASYNC_JS(void, JsWaitForDecode, (const char* path),
            { await Module.webAudio.decoded(UTF8ToString(path)); });

constexpr double kFullGain = 255.0;

class WebClip final : public Clip {
 public:
  explicit WebClip(int id) : id_(id) {}
  ~WebClip() override { JsReleaseClip(id_); }
  WebClip(const WebClip&) = delete;
  WebClip& operator=(const WebClip&) = delete;

  bool IsPlaying() const override { return JsClipPlaying(id_) != 0; }
  void Play() override { JsPlayClip(id_); }
  // Every play is a new buffer source from the beginning, so rewinding
  // needs nothing.
  void SetPosition(uint32_t /*position*/) override {}
  void SetPan(int32_t pan) override {
    const ChannelGains gains = PanToGains(pan);
    JsPanClip(id_, pan, gains.left / kFullGain, gains.right / kFullGain);
  }
  void Stop() override { JsStopClip(id_); }

 private:
  int id_;
};

// The clip file's bytes handed to the page's decoder; false when the file
// cannot be read.
bool StartDecoding(const std::filesystem::path& wav) {
  std::ifstream in(wav, std::ios::binary);
  if (!in) return false;
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
  JsDecode(wav.string().c_str(), bytes.data(), static_cast<int>(bytes.size()));
  return true;
}

}  // namespace

bool WebAudioDevice::Open(std::string& reason) {
  if (JsOpenAudio() == 0) {
    reason = "this browser offers no Web Audio output";
    return false;
  }
  const std::vector<float> beep = BeepTone(JsSampleRate());
  JsSetBeep(beep.data(), static_cast<int>(beep.size()));
  open_ = true;
  return true;
}

void WebAudioDevice::Preload(const std::filesystem::path& wav) {
  // Decoding runs in the page while start-up goes on; a clip waits for it
  // only when it is created before its decoding has finished.
  if (open_ && JsDecodeState(wav.string().c_str()) < 0) StartDecoding(wav);
}

std::unique_ptr<Clip> WebAudioDevice::CreateClip(const std::filesystem::path& wav, ClipSlot slot) {
  if (!open_) return nullptr;
  const std::string path = wav.string();
  int state = JsDecodeState(path.c_str());
  if (state < 0 && StartDecoding(wav)) state = 0;
  if (state == 0) {
    JsWaitForDecode(path.c_str());
    state = JsDecodeState(path.c_str());
  }
  if (state <= 0) return nullptr;
  return std::make_unique<WebClip>(JsCreateClip(path.c_str(), static_cast<int>(slot)));
}

void WebAudioDevice::PlayBeep() {
  if (open_) JsPlayBeep();
}

void WebAudioDevice::SetClipEndListener(std::function<void()> /*listener*/) {}

void WebAudioDevice::Close() {
  if (!open_) return;
  open_ = false;
  JsCloseAudio();
}

}  // namespace sound
