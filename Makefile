# SPDX-License-Identifier: GPL-2.0-or-later
# Front door: every command sets up what it needs first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test bench run format format-check tidy clean fuzz build-sanitize test-sanitize install package

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bin/bench_*; do echo "== $$b"; $$b || exit 1; done
	bench/startup.sh $(BUILD_DIR)
	bench/launch.sh $(BUILD_DIR)
	bench/lists.sh $(BUILD_DIR)
	bench/imports.sh $(BUILD_DIR)

run: build
	$(BUILD_DIR)/bin/quibbix-launch

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer, no recovery,
# built by clang (three times quicker than gcc at the large test files) with libFuzzer's
# coverage, so that the same build fuzzes; optimised lightly and with line tables only, which
# still names the line of every fault; without the benchmarks, and without the checks of files
# (the package, the manual pages, the translations: label "once") that the plain build ran.
SANITIZE_DIR ?= build-sanitize
$(SANITIZE_DIR)/CMakeCache.txt:
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQUIBBIX_SANITIZE=ON -DQUIBBIX_FUZZ=ON -DQUIBBIX_BENCHMARKS=OFF

build-sanitize: deps $(SANITIZE_DIR)/CMakeCache.txt
	cmake --build $(SANITIZE_DIR) -j $(JOBS)

test-sanitize: build-sanitize
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $(JOBS) -LE once

# Every fuzz target for FUZZ_SECONDS seconds each (libFuzzer), two at a time on two cores.
FUZZ_SECONDS ?= 30
fuzz: build-sanitize
	scripts/run-fuzzers.sh $(SANITIZE_DIR) $(FUZZ_SECONDS)

PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package in build/: quibbix_<version>_<arch>.deb
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Every C++ source, as the committed .clang-format lays it out.
SOURCES = $(shell find engine posix windowfit emf translations platform imports launch lists sync typing ui app tools tests bench -name '*.cpp' -o -name '*.h')
format:
	clang-format -i $(SOURCES)

# Fails, naming the places, when a source drifts from the committed layout or lacks its
# licence line.
format-check: deps
	@clang-format --dry-run -Werror $(SOURCES) && echo "format-check: every source follows .clang-format"
	@missing=$$(grep -L 'SPDX-License-Identifier: GPL-2.0-or-later' $(SOURCES)); \
	if [ -n "$$missing" ]; then echo "no SPDX licence line in:"; echo "$$missing"; exit 1; fi

# The checks .clang-tidy names, over every library and program (not the tests); a few
# minutes on two cores, so not part of CI.
TIDY_FOLDERS = engine|posix|windowfit|emf|translations|platform|imports|launch|lists|sync|typing|ui|app|tools
tidy: build
	run-clang-tidy -p $(BUILD_DIR) -j $(JOBS) -quiet '^$(CURDIR)/($(TIDY_FOLDERS))/'

clean:
	rm -rf $(BUILD_DIR)
