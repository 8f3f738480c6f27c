// Looks for a meter in its bootloader on the link's port without the
// upgrade's long waits: one INIT, a short wait for its answer. A station
// serving one meter after another calls it about once a second; a meter
// that runs its firmware stays silent, the next one switched on with EXIT
// held answers.
#pragma once

#include <chrono>

#include "meter/MeterLink.h"

namespace velmora {

enum class ProbeResult {
    Found,   // ACK or NACK: a bootloader is synchronised; the port stays open
    Silent,  // no answer (or not a bootloader's); the port stays open
    NoPort,  // the port does not open
};

// Opens the port when it is closed, switches it to the bootloader framing
// and sends one INIT; an answer that came late to the previous probe's INIT
// finds the meter without a new one. Leave time between probes for late
// answers. Upgrade the found meter with BootOptions::synchronised.
ProbeResult ProbeBootloader(MeterLink& link, std::chrono::milliseconds answerWait);

// Looks for a meter running its firmware: opens the port, asks as
// MeterAnswers does and closes it again, so the next operation starts on a
// fresh line. Found: the meter answered.
ProbeResult ProbeMeter(MeterLink& link, std::chrono::milliseconds answerWait);

// On a port that is open: switches it to the bootloader framing, sends one
// INIT and waits at most answerWait for ACK or NACK (a bootloader
// synchronised before refuses the INIT as a command). The check the port
// probe (link/PortProbe.h) takes.
bool BootloaderAnswers(LinkPort& port, std::chrono::milliseconds answerWait);

}  // namespace velmora
