// Precompiled for the test suites: the test framework, QTest and the widget set.
#pragma once
#include "pch_ui.h"
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
