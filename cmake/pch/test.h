// Precompiled for the test programs and benchmarks: the widgets' headers and QtTest.
#pragma once
#include "widgets.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
