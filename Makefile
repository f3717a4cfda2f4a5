# make run: set up (when needed), build, start Korvane7.exe under Wine.
# make test: set up (when needed), build, run every suite under Wine and Xvfb.
.PHONY: all setup build run test bench clean

all: build

setup:
	@bash scripts/setup

build:
	@bash scripts/build

test: build
	@bash scripts/test

run: build
	@bash scripts/run

bench: build
	@bash scripts/bench

clean:
	rm -rf build
