# The two commands a new machine needs: `make run` and `make test`. Everything else is here too.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
PORTABLE_BUILD ?= build-portable
JOBS       ?= $(shell nproc)
SECONDS    ?= 60

.PHONY: all deps build run test test-install package bench test-asan test-portable-fs fuzz screenshots translations clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -x $(BUILD)/src/app/tralyx ]; then $(BUILD)/src/app/tralyx $(ARGS); else $(BUILD)/cli/tralyx-lrc --help; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Pictures of the windows in $(BUILD)/screenshots (offscreen: no frames; see tools/screenshots for Xvfb).
screenshots: build
	mkdir -p $(BUILD)/screenshots
	QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} TRALYX_SHOTS=$(abspath $(BUILD))/screenshots $(BUILD)/tests/tralyx_screenshots
# translations/*.ts refreshed from the sources' tr() texts; translate what lupdate marks unfinished.
translations: build
	cmake --build $(BUILD) --target translations
# Installs to a temporary prefix, builds examples/consumer against it, builds and checks the .deb files.
test-install: build
	tools/test-install.sh $(BUILD)

# The Debian packages: $(BUILD)/tralyx_<version>_amd64.deb (programs) and tralyx-dev_... (library).
package: build
	cmake --build $(BUILD) --target package

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTRALYX_ASAN=ON -DTRALYX_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j$(JOBS)

# The file system on Qt's files alone, the path a Windows build would take: built in a second tree
# of its own (the core and the two test files only) and its file-system and save-fault tests run, so
# that it cannot rot unseen.
test-portable-fs: deps
	cmake -S . -B $(PORTABLE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRALYX_PORTABLE_FS=ON -DTRALYX_BENCH=OFF >/dev/null
	cmake --build $(PORTABLE_BUILD) -j$(JOBS) --target tralyx_fs_tests
	$(PORTABLE_BUILD)/tests/tralyx_fs_tests

fuzz:
	@tools/install-deps.sh --fuzz
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRALYX_FUZZ=ON -DTRALYX_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_all
	@if [ -x fuzz/run-all.sh ]; then fuzz/run-all.sh $(FUZZ_BUILD) $(SECONDS); fi

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(PORTABLE_BUILD)
