# Entry points: set-up, build, run, test, benchmark and install the game with one command each.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
GENERATOR = $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")
HEADLESS = QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
FUZZ_SECONDS ?= 600

.PHONY: all deps configure configure-game build game run test test-sanitize soak fuzz bench \
	install uninstall package clean

all: build

CONFIGURE = cmake -S . -B $(BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	-DCMAKE_INSTALL_PREFIX=$(PREFIX)

deps:
	@scripts/install-deps test

configure: deps
	@$(CONFIGURE) -DGLINTROW_TESTS=ON >/dev/null

# Running and installing need neither the tests nor their tools. A build folder that
# already has its tests keeps them.
configure-game:
	@scripts/install-deps game
	@$(CONFIGURE) $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DGLINTROW_TESTS=OFF) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Only the program with its pictures and sounds: what running and installing need.
game: configure-game
	@cmake --build $(BUILD) -j $(JOBS) --target glintrow

run: game
	@$(BUILD)/glintrow

test: build test-sanitize
	@cd $(BUILD) && $(HEADLESS) ctest --output-on-failure -j $(JOBS)

# The unit and window tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Debug \
		-DGLINTROW_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target unit_tests window_tests
	@cd $(SANITIZE_BUILD) && $(HEADLESS) ASAN_OPTIONS=detect_leaks=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS) -L core

# The random plays of the game's rules and of the real window, each at length on a new seed
# (a test run plays a short share). Each prints its seed: GLINTROW_PLAY_SEED=N reruns a play.
soak: build
	@cd $(BUILD)/tests && export GLINTROW_SOAK=1 $(HEADLESS) && \
		./unit_tests --gtest_filter='PlayTest.*' && ./window_tests --gtest_filter='SoakTest.*'

# The fuzz targets of the bitmap and wave readers, each for FUZZ_SECONDS (make test gives them 30).
fuzz: build
	@cmake --build $(BUILD) -j $(JOBS) --target fuzzers
	@cd $(BUILD) && GLINTROW_FUZZ_SECONDS=$(FUZZ_SECONDS) ctest -L fuzz -j $(JOBS) \
		--output-on-failure --timeout $$(($(FUZZ_SECONDS) + 600)) --verbose

bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@bench/run $(BUILD)

# The install keeps its own record per prefix in $(BUILD)/installs/, which uninstall reads.
install: game
	@scripts/game-install install $(BUILD) $(PREFIX)

uninstall:
	@scripts/game-install uninstall $(BUILD) $(PREFIX)

# The Debian packages, built as a distribution builds them, into the folder above this one:
# glintrow, glintrow-data and glintrow-dbgsym. Any error or warning of lintian fails the build;
# DEB_BUILD_OPTIONS=nocheck leaves out the tests and lintian.
package:
	@scripts/install-deps package
	@dpkg-buildpackage -us -uc -b --check-command=lintian --check-option=--fail-on=error,warning

# Keeps the records of installs, so that they can still be removed.
clean:
	@if [ -d $(BUILD) ]; then \
		find $(BUILD) -mindepth 1 -maxdepth 1 ! -name installs -exec rm -rf {} +; fi
	@rmdir $(BUILD)/installs $(BUILD) 2>/dev/null || true
	@rm -rf $(SANITIZE_BUILD)
