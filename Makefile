# make demo   builds both programs and runs them on every example
# make test   builds and runs every test, then again under the sanitizers
# make bench  prints the speed and memory figures
# make install PREFIX=dir   installs both programs and their manual pages
# make package builds the Debian package in build/package

MAKEFLAGS += --no-print-directory

JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
RELEASE := build/release
ASAN    := build/asan
DEMO    := build/demo
PACKAGE := build/package
PREFIX  ?= /usr/local

.PHONY: all deps build demo test test-release test-asan bench install package clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(RELEASE) -j $(JOBS)

demo: build
	@scripts/demo $(RELEASE) $(DEMO)

test: test-release test-asan

test-release: build
	ctest --test-dir $(RELEASE) --output-on-failure -j $(JOBS)
	LC_ALL=fr_FR.UTF-8 ctest --test-dir $(RELEASE) --output-on-failure -j $(JOBS) -L cli

test-asan: deps
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON >/dev/null
	@cmake --build $(ASAN) -j $(JOBS)
	ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

bench: build
	@scripts/bench $(RELEASE)

# DESTDIR, when given, is honoured by cmake --install for staged installs.
install: build
	cmake --install $(RELEASE) --prefix $(PREFIX)

package: build
	cpack --config $(RELEASE)/CPackConfig.cmake -B $(PACKAGE)

clean:
	rm -rf build
