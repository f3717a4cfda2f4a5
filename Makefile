# make run: set up (when needed), build, start Korvane7.exe under Wine.
# make test: set up (when needed), build, run every suite under Wine and Xvfb.
BUILD ?= build

export WINEPREFIX := $(CURDIR)/.wine
export WINEARCH := win32
export WINEDEBUG := -all
export WINEDLLOVERRIDES := mscoree,mshtml=

.PHONY: all setup build run test clean

all: build

setup:
	@bash scripts/setup

build: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD)

test: build
	@bash scripts/test $(BUILD)

run: build
	@bash scripts/run $(BUILD)

clean:
	rm -rf $(BUILD)
