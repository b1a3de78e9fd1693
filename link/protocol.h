// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ECU's byte protocol: one 8-byte request frame, one 8-byte reply.
// Plain data handling, no I/O and no widgets.

#include <QByteArray>

namespace Protocol {

enum : unsigned char {
    KindProbe = 0xFA,  // probe frame and probe reply
    KindWrite = 0xFD,  // write frame and write acknowledgement
    KindRead = 0xF4,   // read frame and read reply
    KindPoll = 0xFB,   // poll frame
    KindPollReply = 0xFE,
    ProbeOk = 0xC8,    // byte 1 of a probe reply from an ECU
};

constexpr int FrameSize = 8;
constexpr int HidReportSize = 65;
constexpr unsigned short HidVendorId = 0x04D8;
constexpr unsigned short HidProductId = 0x0080;

// Low 8 bits of the plain sum of all bytes; 0 for an empty array.
unsigned char frameChecksum(const QByteArray &bytes);

QByteArray makeProbeFrame();
QByteArray makeWriteFrame(unsigned char address, unsigned char value);
QByteArray makeReadFrame(unsigned char address);
QByteArray makePollFrame();

// The port search's own HID report: report number 0, 0xFA, zeros to 65 bytes.
QByteArray makeHidProbeReport();
// One frame carried in a 65-byte HID output report (report number 0 first).
QByteArray makeHidReport(const QByteArray &frame);

// Reply classification: byte 0 of a non-empty block.
bool isReplyOfKind(const QByteArray &reply, unsigned char kind);
// 0xFA 0xC8: an ECU answered a probe.
bool isProbeOk(const QByteArray &reply);
// Byte 1 of a read reply; 0 for a block shorter than 2 bytes.
unsigned char readReplyValue(const QByteArray &reply);
// A read reply from `address`: kind F4 with the cell's address in byte 2.
bool isReadReplyFor(const QByteArray &reply, unsigned char address);

struct PollData {
    int rpm = 0;                  // byte 4 + 256 x byte 5
    unsigned char adc = 0;        // byte 2
    unsigned char cellValue = 0;  // byte 3
    unsigned char cellIndex = 0;  // byte 6
};
// Decodes a poll reply; missing bytes count as 0.
PollData decodePollReply(const QByteArray &reply);

// Cell map of the two ECU layouts, chosen by the hardware version byte.
constexpr bool isLargeLayout(unsigned char hwVersion) { return hwVersion >= 20; }
constexpr unsigned char benchParamCell(unsigned char hw) { return isLargeLayout(hw) ? 81 : 41; }
constexpr unsigned char injectionKCell(unsigned char hw) { return isLargeLayout(hw) ? 82 : 42; }
constexpr unsigned char benchFlagCell(unsigned char hw) { return isLargeLayout(hw) ? 89 : 49; }
constexpr int cellsRead(unsigned char hw) { return isLargeLayout(hw) ? 90 : 50; }
constexpr int cellsWritten(unsigned char hw) { return isLargeLayout(hw) ? 81 : 41; }
constexpr int profileNameCell = 41;   // first of 40 name bytes, 90-cell layout only
constexpr int profileNameLength = 40;

} // namespace Protocol

#include <QMetaType>
Q_DECLARE_METATYPE(Protocol::PollData)
