// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QCoreApplication>

// Tests that need Qt's event loop (timers, serial ports, processes).
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
