#include "platform/X11KeyRepeat.h"

#include <xcb/xcb.h>
// The C header names a field "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

namespace platform {
namespace {

// The keyboard extension refuses a client's requests until the client has
// asked for it by version; asking again is harmless.
bool UseKeyboardExtension(xcb_connection_t* connection) {
  // A request to an extension the server lacks would close the connection.
  const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_xkb_id);
  if (extension == nullptr || !extension->present) return false;
  xcb_xkb_use_extension_reply_t* reply = xcb_xkb_use_extension_reply(
      connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
      nullptr);
  const bool supported = reply != nullptr && reply->supported != 0;
  std::free(reply);
  return supported;
}

}  // namespace

void AskForDetectableAutoRepeat() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return;
  xcb_connection_t* connection = x11->connection();
  if (!UseKeyboardExtension(connection)) return;
  constexpr uint32_t detectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
  // Without the flag nothing is lost: Qt's own pairing of release and press
  // still filters most repeats.
  const xcb_xkb_per_client_flags_cookie_t asked = xcb_xkb_per_client_flags(
      connection, XCB_XKB_ID_USE_CORE_KBD, detectable, detectable, 0, 0, 0);
  std::free(xcb_xkb_per_client_flags_reply(connection, asked, nullptr));
}

}  // namespace platform
