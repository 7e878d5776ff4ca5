# Set-up on a fresh Debian 12 or Debian 13 machine: `make run` starts Varnel, `make test` runs
# the suite. Each target first installs the Debian packages it needs that are missing
# (scripts/install-deps.sh GROUP): `make run` only what building and running the programs
# needs, `make test` everything.

JOBS ?= $(shell nproc)
TEST_DIR ?= build
RUN_DIR ?= build-release
FUZZ_DIR ?= build-fuzz
BENCH_DIR ?= build-bench
WINDOWS_DIR ?= build-windows
FUZZ_SECONDS ?= 30

PREFIX ?= /usr/local

.PHONY: all deps build test fuzz run bench format format-check clean windows windows-installer windows-test install deb

all: build

# Every package any target needs.
deps:
	./scripts/install-deps.sh all

# The test build: warnings as errors, AddressSanitizer and UndefinedBehaviorSanitizer.
# (Release and package builds keep the warnings but do not fail on them: cmake/warnings.cmake.)
$(TEST_DIR)/build.ninja:
	./scripts/install-deps.sh test
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARNEL_SANITIZE=ON

build: $(TEST_DIR)/build.ninja
	./scripts/install-deps.sh test
	cmake --build $(TEST_DIR) -j $(JOBS)

test: format-check build
	cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS) --timeout 600
	$(MAKE) windows-test
	$(MAKE) fuzz

# The fuzz targets under libFuzzer (clang), each for FUZZ_SECONDS.
fuzz:
	./scripts/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DVARNEL_LIBFUZZER=ON \
	  -DVARNEL_GUI=OFF -DVARNEL_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	./scripts/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

run:
	./scripts/install-deps.sh run
	cmake -S . -B $(RUN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNEL_TESTS=OFF
	cmake --build $(RUN_DIR) -j $(JOBS)
	./scripts/run.sh $(RUN_DIR)

# The programs, the CUPS filter, types and printer descriptions, the desktop entry and the
# man pages, under PREFIX (and DESTDIR). The filter and the types go to CUPS's own folders.
install:
	./scripts/install-deps.sh run
	cmake -S . -B $(RUN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNEL_TESTS=OFF
	cmake --build $(RUN_DIR) -j $(JOBS)
	DESTDIR=$(DESTDIR) cmake --install $(RUN_DIR) --prefix $(PREFIX)

# The Debian package, into dist/, checked by lintian.
deb:
	./scripts/install-deps.sh deb
	./packaging/make-deb.sh $(JOBS)

# Windows, cross-compiled with mingw-w64 into $(WINDOWS_DIR): varnel-cli.exe (and varnel.exe),
# statically linked; the installer dist/Varnel-Setup-VERSION.exe. The tests run under Wine
# and compare with the Linux test build; as in every build the tests check, warnings are
# errors there.
VERSION := $(shell sed -n 's/^project(varnel VERSION \([0-9.]*\) .*)$$/\1/p' CMakeLists.txt)
WINDOWS_CONFIGURE = cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DVARNEL_WERROR=ON -DVARNEL_LINUX_BUILD=$(abspath $(TEST_DIR))

windows:
	./scripts/install-deps.sh windows
	$(WINDOWS_CONFIGURE)
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target windows_programs

windows-installer:
	./scripts/install-deps.sh windows
	$(WINDOWS_CONFIGURE)
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target windows_installer
	mkdir -p dist
	cp $(WINDOWS_DIR)/Varnel-Setup-$(VERSION).exe dist/

# The Windows build's tests (label windows), after the Linux test build they compare with.
windows-test:
	./scripts/install-deps.sh test
	$(WINDOWS_CONFIGURE)
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	cd $(WINDOWS_DIR) && ctest --output-on-failure --timeout 600 -L windows

bench:
	./scripts/install-deps.sh bench
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNEL_TESTS=OFF \
	  -DVARNEL_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	./scripts/run-benchmarks.sh $(BENCH_DIR)

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

# Fails when a source file differs from the project's .clang-format, or when shellcheck
# warns about a shell script (.shellcheckrc: sourced files are followed from the script's
# folder).
format-check:
	./scripts/install-deps.sh format
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run --Werror
	find scripts tests bench packaging -name '*.sh' | xargs shellcheck -x -S warning .ci/run

clean:
	rm -rf $(TEST_DIR) $(RUN_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(WINDOWS_DIR) build-deb dist
