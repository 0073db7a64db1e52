#ifndef VORLIX_BUTTONSTYLES_H
#define VORLIX_BUTTONSTYLES_H

// The Start/Stop button shows the run state by its background alone.
namespace ButtonStyle {
constexpr const char *idle = "* { background-color: rgb(170,255,127) }";
constexpr const char *running = "* { background-color: rgb(255,170,127) }";
constexpr const char *keyPaused = "* { background-color: rgb(212,212,127) }";
} // namespace ButtonStyle

#endif
