// What the screensaver window's logic asks of its real window.
#pragma once

#include <cstdint>

namespace pixavue {

class Fenetre {
 public:
  virtual ~Fenetre() = default;
  // Moves the window to the screen's top left corner and maximises it.
  virtual void plein_ecran() = 0;
  // SetWindowPos with HWND_TOPMOST, neither moved nor sized; true on success.
  virtual bool premier_plan() = 0;
  // The hidden picture box's window handle, where a video stream is sent.
  virtual std::int32_t poignee_picture1() = 0;
  // Takes the window and the covers off the screen at once, before the
  // process ends: the system may hold an ending process a long while.
  virtual void retirer() = 0;
  // From any thread: the run's file list is whole, and frmVeille's
  // Listage_Termine is to run on the window's thread.
  virtual void reveiller() = 0;
};

// The window's interval timer (Timer1).
class Minuterie {
 public:
  virtual ~Minuterie() = default;
  // Disabling then enabling again starts a full interval afresh.
  virtual void activer(bool actif) = 0;
  // The timer takes 0 to 65,535 ms and refuses anything else, keeping the
  // interval it had; 0 leaves it without ticks. False when refused.
  virtual bool fixer_intervalle(double millisecondes) = 0;
};

}  // namespace pixavue
