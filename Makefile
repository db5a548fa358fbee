# make demo   builds both programs and runs them on every example
# make test   builds and runs every test, on a 32-bit build the CLI tests,
#             then every test again under the sanitizers
# make bench  prints the speed and memory figures
# make install PREFIX=dir   installs both programs and their manual pages
# make package builds the Debian package in build/package
# make fuzz   runs every fuzz target for FUZZ_SECONDS (60) seconds

MAKEFLAGS += --no-print-directory

JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
RELEASE := build/release
ASAN    := build/asan
M32     := build/m32
DEMO    := build/demo
PACKAGE := build/package
PREFIX  ?= /usr/local

.PHONY: all deps package-deps test-deps build test-build demo test test-release test-m32 test-asan bench install package fuzz clean

all: build

# Each list of Debian packages is in scripts/install-deps: building the
# programs, packaging them, and the tests with their outside judges.
deps:
	@scripts/install-deps build

package-deps:
	@scripts/install-deps package

test-deps:
	@scripts/install-deps test

# Configures and builds in $(1); the rest of the line are CMake settings.
configure-and-build = cmake -S . -B $(1) $(2) >/dev/null && cmake --build $(1) -j $(JOBS)

# The tests are built where GoogleTest is installed; a test whose outside
# judge is missing is left out, as configure says, except under `make test`.
build: deps
	@$(call configure-and-build,$(RELEASE),-DCMAKE_BUILD_TYPE=Release -DREQUIRE_JUDGES=OFF)

test-build: test-deps
	@$(call configure-and-build,$(RELEASE),-DCMAKE_BUILD_TYPE=Release -DREQUIRE_JUDGES=ON)

demo: build
	@scripts/demo $(RELEASE) $(DEMO)

test: test-release test-m32 test-asan

test-release: test-build
	ctest --test-dir $(RELEASE) --output-on-failure -j $(JOBS)
	LC_ALL=fr_FR.UTF-8 ctest --test-dir $(RELEASE) --output-on-failure -j $(JOBS) -L cli

# The programs for 32-bit x86, the CLI tests on them where they can be linked.
test-m32: test-build
	@JOBS=$(JOBS) scripts/check-32bit $(RELEASE) $(M32)

test-asan: test-deps
	@$(call configure-and-build,$(ASAN),-DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DREQUIRE_JUDGES=ON)
	ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

bench: test-build
	@scripts/bench $(RELEASE)

# DESTDIR, when given, is honoured by cmake --install for staged installs.
install: build
	cmake --install $(RELEASE) --prefix $(PREFIX)

package: package-deps build
	cpack --config $(RELEASE)/CPackConfig.cmake -B $(PACKAGE)

FUZZ_SECONDS ?= 60

fuzz: test-deps
	@JOBS=$(JOBS) scripts/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
